#include "h450.h"
