#include "h457.h"
