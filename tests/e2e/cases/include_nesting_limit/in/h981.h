#include "h982.h"
