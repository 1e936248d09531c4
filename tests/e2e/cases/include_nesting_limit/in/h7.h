#include "h8.h"
