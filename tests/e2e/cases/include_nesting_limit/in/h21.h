#include "h22.h"
