#include "h878.h"
