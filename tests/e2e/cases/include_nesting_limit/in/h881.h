#include "h882.h"
