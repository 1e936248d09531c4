#include "h288.h"
