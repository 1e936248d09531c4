#include "h609.h"
