#include "h735.h"
