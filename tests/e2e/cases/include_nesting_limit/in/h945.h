#include "h946.h"
