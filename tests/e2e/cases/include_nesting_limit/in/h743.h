#include "h744.h"
