#include "h163.h"
