#include "h179.h"
