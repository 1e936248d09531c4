#include "h638.h"
