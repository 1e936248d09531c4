#include "h81.h"
