#include "h199.h"
