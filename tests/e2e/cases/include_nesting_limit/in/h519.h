#include "h520.h"
