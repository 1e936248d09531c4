#include "h986.h"
