#include "h16.h"
