#include "h414.h"
