#include "h404.h"
