#include "h932.h"
