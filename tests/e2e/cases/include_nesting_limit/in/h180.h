#include "h181.h"
