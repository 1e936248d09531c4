#include "h827.h"
