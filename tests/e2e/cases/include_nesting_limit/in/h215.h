#include "h216.h"
