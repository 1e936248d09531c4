#include "h235.h"
