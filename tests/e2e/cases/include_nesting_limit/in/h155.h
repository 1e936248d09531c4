#include "h156.h"
