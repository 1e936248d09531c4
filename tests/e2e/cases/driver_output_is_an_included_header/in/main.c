#include "hdr.h"
int m;
