#include "h92.h"
