#include "h746.h"
