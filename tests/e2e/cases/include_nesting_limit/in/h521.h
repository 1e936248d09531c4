#include "h522.h"
