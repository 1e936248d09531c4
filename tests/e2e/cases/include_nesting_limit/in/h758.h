#include "h759.h"
