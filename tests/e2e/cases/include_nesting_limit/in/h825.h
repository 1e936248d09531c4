#include "h826.h"
