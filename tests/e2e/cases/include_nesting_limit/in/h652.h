#include "h653.h"
