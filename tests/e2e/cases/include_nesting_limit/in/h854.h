#include "h855.h"
