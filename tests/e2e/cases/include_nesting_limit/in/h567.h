#include "h568.h"
