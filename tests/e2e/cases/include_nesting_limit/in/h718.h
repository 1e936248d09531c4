#include "h719.h"
