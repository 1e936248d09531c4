#include "h649.h"
