/* a header */
#include "nothere.h"
