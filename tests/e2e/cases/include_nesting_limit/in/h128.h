#include "h129.h"
