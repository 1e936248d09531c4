#include "h249.h"
