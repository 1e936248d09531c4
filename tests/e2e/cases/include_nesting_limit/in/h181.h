#include "h182.h"
