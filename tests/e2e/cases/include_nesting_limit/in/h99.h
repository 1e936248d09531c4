#include "h100.h"
