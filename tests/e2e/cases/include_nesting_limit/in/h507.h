#include "h508.h"
