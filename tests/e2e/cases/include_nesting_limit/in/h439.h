#include "h440.h"
