#include "h472.h"
