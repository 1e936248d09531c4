#include "h178.h"
