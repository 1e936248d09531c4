#include "h392.h"
