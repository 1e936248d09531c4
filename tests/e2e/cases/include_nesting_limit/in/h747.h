#include "h748.h"
