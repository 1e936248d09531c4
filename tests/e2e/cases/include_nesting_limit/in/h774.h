#include "h775.h"
