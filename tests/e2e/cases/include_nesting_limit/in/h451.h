#include "h452.h"
