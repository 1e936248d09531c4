#include "h691.h"
