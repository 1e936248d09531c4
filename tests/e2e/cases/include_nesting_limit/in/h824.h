#include "h825.h"
