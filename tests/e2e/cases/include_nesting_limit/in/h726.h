#include "h727.h"
