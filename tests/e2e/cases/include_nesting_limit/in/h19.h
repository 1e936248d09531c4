#include "h20.h"
