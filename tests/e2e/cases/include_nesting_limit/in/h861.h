#include "h862.h"
