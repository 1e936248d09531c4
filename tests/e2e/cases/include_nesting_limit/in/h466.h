#include "h467.h"
