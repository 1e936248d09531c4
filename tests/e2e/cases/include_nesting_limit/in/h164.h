#include "h165.h"
