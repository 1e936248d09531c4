#include "h241.h"
