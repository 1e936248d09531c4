#include "h432.h"
