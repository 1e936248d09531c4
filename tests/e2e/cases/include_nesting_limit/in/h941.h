#include "h942.h"
