#include "h931.h"
