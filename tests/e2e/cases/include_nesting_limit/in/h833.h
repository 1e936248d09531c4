#include "h834.h"
