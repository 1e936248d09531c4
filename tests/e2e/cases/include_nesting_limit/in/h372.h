#include "h373.h"
