#include "h331.h"
