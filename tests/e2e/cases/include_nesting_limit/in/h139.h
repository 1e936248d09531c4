#include "h140.h"
