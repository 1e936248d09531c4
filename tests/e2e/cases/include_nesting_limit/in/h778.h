#include "h779.h"
