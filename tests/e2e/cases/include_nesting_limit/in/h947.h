#include "h948.h"
