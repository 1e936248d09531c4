#include "h875.h"
