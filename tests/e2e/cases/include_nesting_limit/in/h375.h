#include "h376.h"
