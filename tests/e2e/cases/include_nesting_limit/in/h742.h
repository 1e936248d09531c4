#include "h743.h"
