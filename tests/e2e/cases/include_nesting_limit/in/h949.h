#include "h950.h"
