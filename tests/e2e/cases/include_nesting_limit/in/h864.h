#include "h865.h"
