#include "h678.h"
