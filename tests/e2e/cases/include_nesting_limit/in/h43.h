#include "h44.h"
