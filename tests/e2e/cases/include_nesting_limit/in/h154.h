#include "h155.h"
