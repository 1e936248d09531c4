#include "a.h"
int a;
