#include "h396.h"
