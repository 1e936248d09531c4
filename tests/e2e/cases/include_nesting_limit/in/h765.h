#include "h766.h"
