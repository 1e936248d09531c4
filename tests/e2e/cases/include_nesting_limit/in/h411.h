#include "h412.h"
