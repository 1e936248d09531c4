#include "h938.h"
