#include "h864.h"
