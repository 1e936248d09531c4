#include "h453.h"
