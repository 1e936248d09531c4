#include "h205.h"
