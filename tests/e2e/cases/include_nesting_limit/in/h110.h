#include "h111.h"
