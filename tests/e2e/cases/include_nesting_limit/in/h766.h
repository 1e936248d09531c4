#include "h767.h"
