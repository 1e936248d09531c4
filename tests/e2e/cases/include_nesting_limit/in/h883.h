#include "h884.h"
