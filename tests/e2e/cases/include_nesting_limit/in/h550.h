#include "h551.h"
