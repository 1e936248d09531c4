#include "h170.h"
