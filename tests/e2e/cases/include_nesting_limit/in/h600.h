#include "h601.h"
