#include "h566.h"
