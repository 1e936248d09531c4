#include "h173.h"
