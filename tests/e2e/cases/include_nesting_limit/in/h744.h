#include "h745.h"
