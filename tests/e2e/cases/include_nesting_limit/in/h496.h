#include "h497.h"
