#include "h345.h"
