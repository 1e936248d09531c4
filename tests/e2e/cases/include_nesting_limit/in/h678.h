#include "h679.h"
