#include "h563.h"
