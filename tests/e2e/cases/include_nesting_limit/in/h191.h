#include "h192.h"
