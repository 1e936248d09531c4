#include "h498.h"
