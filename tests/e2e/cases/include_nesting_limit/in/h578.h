#include "h579.h"
