#include "h806.h"
