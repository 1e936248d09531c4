#include "h776.h"
