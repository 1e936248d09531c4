#include "h650.h"
