#include "h914.h"
