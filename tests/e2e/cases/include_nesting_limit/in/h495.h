#include "h496.h"
