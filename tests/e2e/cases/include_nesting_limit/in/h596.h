#include "h597.h"
