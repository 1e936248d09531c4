#include "h900.h"
