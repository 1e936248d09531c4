#include "h785.h"
