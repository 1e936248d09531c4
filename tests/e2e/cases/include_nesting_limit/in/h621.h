#include "h622.h"
