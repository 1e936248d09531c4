#include "h190.h"
