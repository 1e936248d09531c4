#include "h148.h"
