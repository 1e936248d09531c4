#include "h652.h"
