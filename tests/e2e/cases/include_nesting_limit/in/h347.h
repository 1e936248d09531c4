#include "h348.h"
