#include "h880.h"
