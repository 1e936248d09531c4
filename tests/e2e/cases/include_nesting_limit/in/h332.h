#include "h333.h"
