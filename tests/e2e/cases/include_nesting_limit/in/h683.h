#include "h684.h"
