#include "h796.h"
