#include "h116.h"
