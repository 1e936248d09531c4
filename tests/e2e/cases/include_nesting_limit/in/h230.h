#include "h231.h"
