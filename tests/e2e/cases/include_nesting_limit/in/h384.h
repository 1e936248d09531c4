#include "h385.h"
