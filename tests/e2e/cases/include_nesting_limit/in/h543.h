#include "h544.h"
