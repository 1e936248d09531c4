#include "h523.h"
