#include "h559.h"
