#include "h96.h"
