#include "h185.h"
