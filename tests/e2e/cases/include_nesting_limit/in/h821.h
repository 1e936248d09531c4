#include "h822.h"
