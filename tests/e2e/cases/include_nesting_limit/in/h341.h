#include "h342.h"
