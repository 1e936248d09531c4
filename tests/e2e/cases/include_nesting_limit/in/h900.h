#include "h901.h"
