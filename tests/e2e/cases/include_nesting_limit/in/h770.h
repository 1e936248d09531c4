#include "h771.h"
