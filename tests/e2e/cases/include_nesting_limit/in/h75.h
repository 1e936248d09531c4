#include "h76.h"
