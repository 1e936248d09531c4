#include "h488.h"
