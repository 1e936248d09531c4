#include "h364.h"
