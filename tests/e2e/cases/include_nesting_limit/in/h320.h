#include "h321.h"
