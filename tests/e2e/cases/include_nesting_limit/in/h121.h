#include "h122.h"
