#include "h424.h"
