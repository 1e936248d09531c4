#include "h256.h"
