#include "h660.h"
