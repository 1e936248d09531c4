#include "h874.h"
