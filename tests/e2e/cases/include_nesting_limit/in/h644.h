#include "h645.h"
