#ifndef ONE_H
#define ONE_H
#include "two.h"
#define ONE 1
#endif
