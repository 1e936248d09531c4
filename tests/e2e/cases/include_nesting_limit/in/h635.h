#include "h636.h"
