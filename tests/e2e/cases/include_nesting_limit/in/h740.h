#include "h741.h"
