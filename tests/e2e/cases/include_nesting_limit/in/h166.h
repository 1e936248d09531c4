#include "h167.h"
