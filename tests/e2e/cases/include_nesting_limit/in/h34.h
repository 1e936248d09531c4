#include "h35.h"
