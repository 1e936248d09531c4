#include "h103.h"
