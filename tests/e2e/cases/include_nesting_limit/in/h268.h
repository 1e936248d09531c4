#include "h269.h"
