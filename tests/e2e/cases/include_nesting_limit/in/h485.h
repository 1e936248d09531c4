#include "h486.h"
