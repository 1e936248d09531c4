#include "h480.h"
