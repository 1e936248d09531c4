#include "h363.h"
