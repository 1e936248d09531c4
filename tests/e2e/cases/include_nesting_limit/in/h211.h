#include "h212.h"
