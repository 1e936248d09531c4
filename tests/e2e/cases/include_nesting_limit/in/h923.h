#include "h924.h"
