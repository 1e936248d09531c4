#include "h217.h"
