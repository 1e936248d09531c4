#include "h688.h"
