#include "h109.h"
