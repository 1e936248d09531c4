#include "h578.h"
