#include "h693.h"
