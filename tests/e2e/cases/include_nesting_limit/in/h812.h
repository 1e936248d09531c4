#include "h813.h"
