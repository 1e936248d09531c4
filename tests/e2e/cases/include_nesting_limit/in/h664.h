#include "h665.h"
