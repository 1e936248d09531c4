#include "h507.h"
