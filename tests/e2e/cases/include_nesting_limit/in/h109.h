#include "h110.h"
