#include "h66.h"
