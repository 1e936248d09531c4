#include "h911.h"
