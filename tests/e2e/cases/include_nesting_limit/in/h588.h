#include "h589.h"
