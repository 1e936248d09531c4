#include "h898.h"
