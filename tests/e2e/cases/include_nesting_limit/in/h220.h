#include "h221.h"
