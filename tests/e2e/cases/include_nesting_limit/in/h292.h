#include "h293.h"
