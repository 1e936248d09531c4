#include "h11.h"
