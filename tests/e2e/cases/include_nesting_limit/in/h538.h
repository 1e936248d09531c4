#include "h539.h"
