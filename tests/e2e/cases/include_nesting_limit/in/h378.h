#include "h379.h"
