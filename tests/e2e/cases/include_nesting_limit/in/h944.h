#include "h945.h"
