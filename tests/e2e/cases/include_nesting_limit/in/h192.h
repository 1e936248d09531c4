#include "h193.h"
