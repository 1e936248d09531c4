#include "h21.h"
