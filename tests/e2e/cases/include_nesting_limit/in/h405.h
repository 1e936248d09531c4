#include "h406.h"
