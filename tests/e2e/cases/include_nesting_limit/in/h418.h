#include "h419.h"
