#include "h635.h"
