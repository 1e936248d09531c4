#include "h621.h"
