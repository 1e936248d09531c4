#include "h661.h"
