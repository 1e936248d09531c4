#include "h245.h"
