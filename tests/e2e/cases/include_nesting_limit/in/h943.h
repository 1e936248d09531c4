#include "h944.h"
