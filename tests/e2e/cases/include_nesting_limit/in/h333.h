#include "h334.h"
