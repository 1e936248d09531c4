#include "h676.h"
