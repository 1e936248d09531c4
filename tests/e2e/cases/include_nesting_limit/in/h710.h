#include "h711.h"
