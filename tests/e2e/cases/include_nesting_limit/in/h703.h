#include "h704.h"
