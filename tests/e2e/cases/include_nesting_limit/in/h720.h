#include "h721.h"
