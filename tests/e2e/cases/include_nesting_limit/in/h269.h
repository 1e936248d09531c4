#include "h270.h"
