#include "h770.h"
