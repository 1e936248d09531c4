#include "h372.h"
