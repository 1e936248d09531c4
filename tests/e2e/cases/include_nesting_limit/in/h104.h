#include "h105.h"
