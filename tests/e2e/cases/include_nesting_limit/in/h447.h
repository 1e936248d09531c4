#include "h448.h"
