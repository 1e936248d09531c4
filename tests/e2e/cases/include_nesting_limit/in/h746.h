#include "h747.h"
