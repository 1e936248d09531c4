#include "h42.h"
