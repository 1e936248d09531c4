#include "h224.h"
