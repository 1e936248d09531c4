#include "h188.h"
