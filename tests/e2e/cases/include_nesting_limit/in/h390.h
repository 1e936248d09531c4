#include "h391.h"
