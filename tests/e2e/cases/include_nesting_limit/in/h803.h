#include "h804.h"
