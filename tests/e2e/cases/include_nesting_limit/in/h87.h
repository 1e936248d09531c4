#include "h88.h"
