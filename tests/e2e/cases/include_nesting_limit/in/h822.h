#include "h823.h"
