#include "h545.h"
