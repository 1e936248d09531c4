#include "h617.h"
