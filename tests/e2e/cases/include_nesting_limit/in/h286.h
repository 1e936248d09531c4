#include "h287.h"
