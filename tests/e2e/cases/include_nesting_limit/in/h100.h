#include "h101.h"
