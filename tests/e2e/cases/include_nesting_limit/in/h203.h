#include "h204.h"
