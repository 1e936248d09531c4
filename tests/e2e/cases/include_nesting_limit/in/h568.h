#include "h569.h"
