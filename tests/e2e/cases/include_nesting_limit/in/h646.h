#include "h647.h"
