#include "h618.h"
