#include "h252.h"
