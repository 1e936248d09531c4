#include "h416.h"
