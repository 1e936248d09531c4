#include "h29.h"
