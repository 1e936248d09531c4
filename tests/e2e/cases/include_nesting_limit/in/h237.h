#include "h238.h"
