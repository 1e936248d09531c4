#include "h398.h"
