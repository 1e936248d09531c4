#include "h189.h"
