#include "h969.h"
