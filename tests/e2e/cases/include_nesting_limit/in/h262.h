#include "h263.h"
