#include "h289.h"
