#include "h612.h"
