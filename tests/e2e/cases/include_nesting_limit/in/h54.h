#include "h55.h"
