#include "h625.h"
