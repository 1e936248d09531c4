#include "h499.h"
