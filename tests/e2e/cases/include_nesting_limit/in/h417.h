#include "h418.h"
