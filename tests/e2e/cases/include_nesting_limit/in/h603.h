#include "h604.h"
