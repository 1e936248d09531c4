#include "h195.h"
