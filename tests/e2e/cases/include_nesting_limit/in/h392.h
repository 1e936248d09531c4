#include "h393.h"
