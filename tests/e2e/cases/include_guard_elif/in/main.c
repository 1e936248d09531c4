#include "elif.h"
#include "elif.h"
