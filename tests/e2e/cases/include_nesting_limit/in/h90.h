#include "h91.h"
