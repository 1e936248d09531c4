#include "h443.h"
