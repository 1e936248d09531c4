#include "h38.h"
