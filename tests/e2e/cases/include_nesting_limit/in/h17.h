#include "h18.h"
