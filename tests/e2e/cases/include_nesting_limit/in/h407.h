#include "h408.h"
