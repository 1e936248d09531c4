#include "h79.h"
