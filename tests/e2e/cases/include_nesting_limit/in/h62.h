#include "h63.h"
