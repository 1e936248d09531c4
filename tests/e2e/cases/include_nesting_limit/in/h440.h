#include "h441.h"
