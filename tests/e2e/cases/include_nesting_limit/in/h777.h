#include "h778.h"
