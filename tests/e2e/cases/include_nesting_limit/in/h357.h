#include "h358.h"
