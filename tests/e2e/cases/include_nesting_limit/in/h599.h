#include "h600.h"
