#include "h257.h"
