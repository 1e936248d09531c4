#include "h447.h"
