#include "h210.h"
