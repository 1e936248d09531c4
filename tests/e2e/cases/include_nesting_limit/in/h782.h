#include "h783.h"
