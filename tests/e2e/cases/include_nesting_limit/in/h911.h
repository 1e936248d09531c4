#include "h912.h"
