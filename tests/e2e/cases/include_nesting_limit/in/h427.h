#include "h428.h"
