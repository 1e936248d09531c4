#include "h470.h"
