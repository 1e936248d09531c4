#include "h434.h"
