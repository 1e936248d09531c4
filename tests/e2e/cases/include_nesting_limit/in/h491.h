#include "h492.h"
