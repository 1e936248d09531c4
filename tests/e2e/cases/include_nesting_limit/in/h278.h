#include "h279.h"
