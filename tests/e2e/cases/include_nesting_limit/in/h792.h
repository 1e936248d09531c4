#include "h793.h"
