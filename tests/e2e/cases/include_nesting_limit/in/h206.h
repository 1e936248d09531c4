#include "h207.h"
