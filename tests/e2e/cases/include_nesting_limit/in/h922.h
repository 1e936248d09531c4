#include "h923.h"
