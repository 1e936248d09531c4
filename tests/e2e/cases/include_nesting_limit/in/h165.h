#include "h166.h"
