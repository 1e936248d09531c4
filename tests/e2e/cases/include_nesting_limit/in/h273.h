#include "h274.h"
