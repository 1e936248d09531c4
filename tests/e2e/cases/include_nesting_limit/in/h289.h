#include "h290.h"
