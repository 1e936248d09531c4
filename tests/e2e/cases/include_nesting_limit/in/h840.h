#include "h841.h"
