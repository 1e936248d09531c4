#include "h567.h"
