#include "h729.h"
