#include "a.h"
#include "b.h"
#include "a.h"
main_line
