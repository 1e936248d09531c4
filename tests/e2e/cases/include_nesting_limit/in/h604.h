#include "h605.h"
