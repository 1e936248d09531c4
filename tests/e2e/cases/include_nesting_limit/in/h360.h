#include "h361.h"
