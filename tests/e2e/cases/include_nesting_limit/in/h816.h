#include "h817.h"
