#include "h438.h"
