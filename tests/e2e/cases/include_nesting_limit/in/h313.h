#include "h314.h"
