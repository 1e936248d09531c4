#include "h268.h"
