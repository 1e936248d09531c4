#include "h194.h"
