#include "h136.h"
