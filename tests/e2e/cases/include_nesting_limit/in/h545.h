#include "h546.h"
