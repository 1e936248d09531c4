#include "h905.h"
