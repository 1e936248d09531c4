#include "h353.h"
