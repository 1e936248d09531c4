#include "h1.h"
back_in_main
