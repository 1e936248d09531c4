#include "h858.h"
