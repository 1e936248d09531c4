#include "h172.h"
