#include "h226.h"
