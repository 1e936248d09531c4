#include "h384.h"
