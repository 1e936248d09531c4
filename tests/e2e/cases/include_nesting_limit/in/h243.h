#include "h244.h"
