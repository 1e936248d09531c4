#include "h917.h"
