#include "h478.h"
