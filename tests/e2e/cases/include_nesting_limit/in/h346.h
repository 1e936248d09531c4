#include "h347.h"
