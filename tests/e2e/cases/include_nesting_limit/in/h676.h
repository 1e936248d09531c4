#include "h677.h"
