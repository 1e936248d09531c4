#include "h455.h"
