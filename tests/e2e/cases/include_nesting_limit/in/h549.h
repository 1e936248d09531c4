#include "h550.h"
