#include "h336.h"
