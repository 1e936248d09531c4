#include "h220.h"
