#include "h120.h"
