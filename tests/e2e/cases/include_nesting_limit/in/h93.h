#include "h94.h"
