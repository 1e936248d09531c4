#include "h699.h"
