#include "h705.h"
