#include "h72.h"
