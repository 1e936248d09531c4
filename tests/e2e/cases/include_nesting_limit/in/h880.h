#include "h881.h"
