#include "h752.h"
