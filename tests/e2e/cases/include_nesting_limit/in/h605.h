#include "h606.h"
