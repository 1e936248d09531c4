#include "h30.h"
