#include "h513.h"
