#include "h802.h"
