#include "h40.h"
