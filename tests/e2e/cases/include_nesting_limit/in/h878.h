#include "h879.h"
