#include "h319.h"
