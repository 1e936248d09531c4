#include "h386.h"
