#include "h154.h"
