#include "h13.h"
