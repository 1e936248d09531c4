#include "h275.h"
