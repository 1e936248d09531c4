#include "h357.h"
