#include "h584.h"
