#include "h53.h"
