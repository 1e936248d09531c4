#include "h251.h"
