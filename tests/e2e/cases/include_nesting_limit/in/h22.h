#include "h23.h"
