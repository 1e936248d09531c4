#include "h310.h"
