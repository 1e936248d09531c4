#include "h845.h"
