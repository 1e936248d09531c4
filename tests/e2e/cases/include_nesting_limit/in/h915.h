#include "h916.h"
