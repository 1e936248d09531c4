#include "h255.h"
