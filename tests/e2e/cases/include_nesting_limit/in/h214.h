#include "h215.h"
