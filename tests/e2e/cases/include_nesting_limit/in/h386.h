#include "h387.h"
