#include "h829.h"
