#include "h307.h"
