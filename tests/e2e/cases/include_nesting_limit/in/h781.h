#include "h782.h"
