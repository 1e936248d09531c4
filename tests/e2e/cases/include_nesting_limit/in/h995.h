#include "h996.h"
