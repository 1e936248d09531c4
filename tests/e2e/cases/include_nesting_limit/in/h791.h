#include "h792.h"
