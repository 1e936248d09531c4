#include "h435.h"
