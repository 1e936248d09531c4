#include "h481.h"
