#include "h468.h"
