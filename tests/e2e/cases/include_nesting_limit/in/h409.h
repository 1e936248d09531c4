#include "h410.h"
