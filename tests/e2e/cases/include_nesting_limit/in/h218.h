#include "h219.h"
