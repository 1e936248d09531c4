#include "h922.h"
