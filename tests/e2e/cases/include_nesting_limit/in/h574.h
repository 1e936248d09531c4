#include "h575.h"
