#include "h127.h"
