#include "h437.h"
