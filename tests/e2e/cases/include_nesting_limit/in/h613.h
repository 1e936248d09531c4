#include "h614.h"
