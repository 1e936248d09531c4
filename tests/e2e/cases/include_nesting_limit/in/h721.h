#include "h722.h"
