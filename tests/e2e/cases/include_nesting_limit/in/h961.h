#include "h962.h"
