#include "h835.h"
