#include "h439.h"
