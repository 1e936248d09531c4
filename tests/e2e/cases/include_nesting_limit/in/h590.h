#include "h591.h"
