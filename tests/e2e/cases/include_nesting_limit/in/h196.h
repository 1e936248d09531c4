#include "h197.h"
