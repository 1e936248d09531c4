#include "h413.h"
