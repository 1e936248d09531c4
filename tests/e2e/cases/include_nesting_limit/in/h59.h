#include "h60.h"
