#include "h102.h"
