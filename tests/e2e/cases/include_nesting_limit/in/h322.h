#include "h323.h"
