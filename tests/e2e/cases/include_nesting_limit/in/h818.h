#include "h819.h"
