#include "h292.h"
