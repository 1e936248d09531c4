#include "h675.h"
