#include "h742.h"
