#include "h716.h"
