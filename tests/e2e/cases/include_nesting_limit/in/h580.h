#include "h581.h"
