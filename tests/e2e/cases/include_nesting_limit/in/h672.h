#include "h673.h"
