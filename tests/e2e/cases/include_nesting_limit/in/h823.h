#include "h824.h"
