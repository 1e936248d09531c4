#include "h939.h"
