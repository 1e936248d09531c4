#include "h701.h"
