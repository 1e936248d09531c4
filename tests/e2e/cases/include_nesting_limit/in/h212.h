#include "h213.h"
