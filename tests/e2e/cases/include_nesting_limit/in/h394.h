#include "h395.h"
