#include "h381.h"
