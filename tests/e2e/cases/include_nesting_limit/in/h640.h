#include "h641.h"
