#include "h390.h"
