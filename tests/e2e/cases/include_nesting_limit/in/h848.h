#include "h849.h"
