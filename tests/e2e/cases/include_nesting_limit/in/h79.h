#include "h80.h"
