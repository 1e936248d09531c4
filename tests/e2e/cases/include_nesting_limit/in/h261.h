#include "h262.h"
