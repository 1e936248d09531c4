#include "h821.h"
