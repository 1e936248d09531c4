#include "h370.h"
