#include "h46.h"
