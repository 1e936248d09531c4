#include "h169.h"
