#include "h837.h"
