#include "h322.h"
