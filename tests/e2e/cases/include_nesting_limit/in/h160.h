#include "h161.h"
