#include "h106.h"
