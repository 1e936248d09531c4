#include "h305.h"
