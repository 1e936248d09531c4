#include "h873.h"
