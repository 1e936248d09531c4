#include "h658.h"
