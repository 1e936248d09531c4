#include "h420.h"
