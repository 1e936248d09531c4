#include "h848.h"
