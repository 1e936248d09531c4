#include "h528.h"
