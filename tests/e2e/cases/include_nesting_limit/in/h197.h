#include "h198.h"
