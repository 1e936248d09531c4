#include "h749.h"
