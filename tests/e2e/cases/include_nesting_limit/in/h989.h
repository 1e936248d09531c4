#include "h990.h"
