#include "h616.h"
