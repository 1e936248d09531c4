#include "h343.h"
