#include "h738.h"
