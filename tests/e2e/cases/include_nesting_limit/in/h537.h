#include "h538.h"
