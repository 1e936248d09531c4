#include "h683.h"
