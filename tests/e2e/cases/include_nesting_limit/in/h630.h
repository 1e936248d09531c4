#include "h631.h"
