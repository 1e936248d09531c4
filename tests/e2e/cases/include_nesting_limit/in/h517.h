#include "h518.h"
