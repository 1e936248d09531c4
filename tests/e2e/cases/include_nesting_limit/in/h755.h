#include "h756.h"
