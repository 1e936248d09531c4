#include "h354.h"
