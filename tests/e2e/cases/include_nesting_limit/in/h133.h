#include "h134.h"
