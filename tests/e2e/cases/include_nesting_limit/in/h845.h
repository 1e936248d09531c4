#include "h846.h"
