#include "h885.h"
