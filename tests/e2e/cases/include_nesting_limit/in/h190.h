#include "h191.h"
