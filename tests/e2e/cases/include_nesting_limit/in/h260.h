#include "h261.h"
