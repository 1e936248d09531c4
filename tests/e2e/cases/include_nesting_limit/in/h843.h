#include "h844.h"
