#include "h558.h"
