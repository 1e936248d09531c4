#include <stdnm>
after_std __USING_STD_NAMES__
#include <withext.h>
#include "quoted.h"
#include <stdnm>
end __USING_STD_NAMES__
