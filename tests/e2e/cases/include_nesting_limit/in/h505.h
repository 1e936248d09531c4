#include "h506.h"
