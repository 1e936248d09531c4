#include "h277.h"
