#include "h330.h"
