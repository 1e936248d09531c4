#define DEEPER
#include "h1.h"
never
