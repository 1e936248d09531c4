#include "h593.h"
