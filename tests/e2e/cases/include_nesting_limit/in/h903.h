#include "h904.h"
