#include "h694.h"
