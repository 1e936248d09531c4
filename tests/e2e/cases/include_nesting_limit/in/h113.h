#include "h114.h"
