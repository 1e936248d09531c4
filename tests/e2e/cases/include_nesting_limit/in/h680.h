#include "h681.h"
