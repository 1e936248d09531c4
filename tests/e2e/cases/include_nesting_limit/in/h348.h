#include "h349.h"
