#include "h787.h"
