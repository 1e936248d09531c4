#include "h532.h"
