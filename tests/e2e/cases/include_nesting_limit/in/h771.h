#include "h772.h"
