#include "h570.h"
