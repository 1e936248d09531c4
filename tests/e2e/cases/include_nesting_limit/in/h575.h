#include "h576.h"
