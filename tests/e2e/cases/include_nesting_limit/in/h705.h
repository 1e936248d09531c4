#include "h706.h"
