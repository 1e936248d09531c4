#include "h662.h"
