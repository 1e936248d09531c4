#include "h399.h"
