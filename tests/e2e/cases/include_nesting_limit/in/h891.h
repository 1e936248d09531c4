#include "h892.h"
