#include "h260.h"
