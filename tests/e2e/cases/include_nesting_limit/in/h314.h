#include "h315.h"
