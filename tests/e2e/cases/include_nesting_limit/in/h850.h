#include "h851.h"
