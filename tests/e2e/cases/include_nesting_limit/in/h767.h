#include "h768.h"
