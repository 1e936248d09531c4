#include "h394.h"
