#include "h487.h"
