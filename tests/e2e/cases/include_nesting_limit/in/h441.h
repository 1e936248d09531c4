#include "h442.h"
