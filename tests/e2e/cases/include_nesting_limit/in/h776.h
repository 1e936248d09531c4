#include "h777.h"
