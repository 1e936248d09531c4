#include "h335.h"
