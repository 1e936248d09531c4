#include "h854.h"
