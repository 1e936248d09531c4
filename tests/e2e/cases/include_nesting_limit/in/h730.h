#include "h731.h"
