#include "h856.h"
