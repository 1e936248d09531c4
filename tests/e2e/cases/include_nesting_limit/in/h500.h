#include "h501.h"
