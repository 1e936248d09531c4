#include "h201.h"
