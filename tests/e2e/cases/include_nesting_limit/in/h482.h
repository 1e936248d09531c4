#include "h483.h"
