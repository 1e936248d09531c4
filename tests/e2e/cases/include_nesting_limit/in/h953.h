#include "h954.h"
