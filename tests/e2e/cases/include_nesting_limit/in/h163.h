#include "h164.h"
