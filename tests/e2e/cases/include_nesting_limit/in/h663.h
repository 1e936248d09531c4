#include "h664.h"
