#include "h67.h"
