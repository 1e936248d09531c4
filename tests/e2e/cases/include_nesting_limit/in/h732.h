#include "h733.h"
