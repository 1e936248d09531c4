#include "h908.h"
