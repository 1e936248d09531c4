#include "h564.h"
