#include "h527.h"
