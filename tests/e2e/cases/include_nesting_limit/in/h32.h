#include "h33.h"
