#include "h421.h"
