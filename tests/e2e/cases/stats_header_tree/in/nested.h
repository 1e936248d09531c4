#include "deep.h"
n2
