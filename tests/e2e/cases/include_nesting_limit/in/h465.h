#include "h466.h"
