#include "h131.h"
