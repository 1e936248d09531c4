#include "h737.h"
