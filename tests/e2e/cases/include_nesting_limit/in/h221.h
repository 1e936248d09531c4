#include "h222.h"
