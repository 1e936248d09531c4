#include "h264.h"
