#include "h788.h"
