#include "h947.h"
