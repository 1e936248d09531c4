#include "h715.h"
