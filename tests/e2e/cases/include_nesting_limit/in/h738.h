#include "h739.h"
