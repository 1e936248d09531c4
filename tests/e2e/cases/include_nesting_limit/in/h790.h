#include "h791.h"
