#include "h108.h"
