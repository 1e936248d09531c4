#include "h356.h"
