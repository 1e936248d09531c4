#include "nested.h"
b2
