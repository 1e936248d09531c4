#include "h555.h"
