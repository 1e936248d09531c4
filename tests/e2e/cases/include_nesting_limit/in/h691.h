#include "h692.h"
