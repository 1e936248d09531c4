#include "h469.h"
