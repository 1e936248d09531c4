#include "h142.h"
