#include "h327.h"
