#include "h511.h"
