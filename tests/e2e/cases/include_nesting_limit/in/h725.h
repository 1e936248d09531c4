#include "h726.h"
