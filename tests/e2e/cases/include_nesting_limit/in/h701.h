#include "h702.h"
