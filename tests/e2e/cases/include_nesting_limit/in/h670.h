#include "h671.h"
