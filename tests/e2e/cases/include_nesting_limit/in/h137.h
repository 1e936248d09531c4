#include "h138.h"
