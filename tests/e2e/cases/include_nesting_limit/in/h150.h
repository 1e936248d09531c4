#include "h151.h"
