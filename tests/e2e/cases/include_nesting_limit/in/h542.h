#include "h543.h"
