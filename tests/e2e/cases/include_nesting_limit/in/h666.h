#include "h667.h"
