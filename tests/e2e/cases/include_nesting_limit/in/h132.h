#include "h133.h"
