#include "h123.h"
