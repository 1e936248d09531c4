#include "h553.h"
