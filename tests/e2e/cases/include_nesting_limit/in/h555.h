#include "h556.h"
