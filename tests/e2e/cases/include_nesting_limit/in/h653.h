#include "h654.h"
