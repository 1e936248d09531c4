#include "h7.h"
