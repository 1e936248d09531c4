#include "h259.h"
