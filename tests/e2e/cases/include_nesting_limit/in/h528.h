#include "h529.h"
