#include "h183.h"
