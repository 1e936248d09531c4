#include "h833.h"
