#include "h786.h"
