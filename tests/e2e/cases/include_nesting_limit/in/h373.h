#include "h374.h"
