#include "h830.h"
