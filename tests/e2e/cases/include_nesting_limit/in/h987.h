#include "h988.h"
