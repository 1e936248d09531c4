#include "h708.h"
