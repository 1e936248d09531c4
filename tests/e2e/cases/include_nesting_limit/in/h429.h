#include "h430.h"
