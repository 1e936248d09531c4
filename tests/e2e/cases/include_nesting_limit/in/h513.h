#include "h514.h"
