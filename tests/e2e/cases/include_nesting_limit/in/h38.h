#include "h39.h"
