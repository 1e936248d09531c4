#include "h107.h"
