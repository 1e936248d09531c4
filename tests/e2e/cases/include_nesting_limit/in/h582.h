#include "h583.h"
