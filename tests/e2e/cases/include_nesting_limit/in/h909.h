#include "h910.h"
