#include "h326.h"
