#include "h113.h"
