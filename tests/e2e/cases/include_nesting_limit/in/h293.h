#include "h294.h"
