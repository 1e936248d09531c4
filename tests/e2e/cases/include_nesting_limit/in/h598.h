#include "h599.h"
