#include "h590.h"
