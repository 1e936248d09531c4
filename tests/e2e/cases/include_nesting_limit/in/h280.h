#include "h281.h"
