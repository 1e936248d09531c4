#include "h714.h"
