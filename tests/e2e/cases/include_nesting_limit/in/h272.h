#include "h273.h"
