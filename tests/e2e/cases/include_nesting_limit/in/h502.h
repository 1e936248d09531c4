#include "h503.h"
