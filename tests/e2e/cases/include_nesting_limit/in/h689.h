#include "h690.h"
