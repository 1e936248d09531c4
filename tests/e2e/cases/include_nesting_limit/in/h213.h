#include "h214.h"
