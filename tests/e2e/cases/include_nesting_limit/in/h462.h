#include "h463.h"
