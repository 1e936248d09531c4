#include "h956.h"
