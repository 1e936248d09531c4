#include "h340.h"
