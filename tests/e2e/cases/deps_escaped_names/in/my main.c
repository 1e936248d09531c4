#include "sp ace.h"
#include "cost$.h"
#include "hash#.h"
int m;
