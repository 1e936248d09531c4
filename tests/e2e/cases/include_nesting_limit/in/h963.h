#include "h964.h"
