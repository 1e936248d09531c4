#include "h228.h"
