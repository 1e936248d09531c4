#include "h643.h"
