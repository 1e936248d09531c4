#include "h300.h"
