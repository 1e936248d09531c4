#include "h524.h"
