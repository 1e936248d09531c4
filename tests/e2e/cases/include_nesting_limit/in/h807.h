#include "h808.h"
