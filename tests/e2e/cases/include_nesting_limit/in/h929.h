#include "h930.h"
