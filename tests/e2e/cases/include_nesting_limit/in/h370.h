#include "h371.h"
