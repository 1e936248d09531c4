#include "h286.h"
