#include "h115.h"
