#include "h809.h"
