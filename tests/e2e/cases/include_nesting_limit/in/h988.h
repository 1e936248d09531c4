#include "h989.h"
