#include "blank.h"
#include "empty.h"
#include "nonl.h"
#include "dir.h"
D end
