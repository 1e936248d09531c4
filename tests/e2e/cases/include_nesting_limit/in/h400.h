#include "h401.h"
