#include "h246.h"
