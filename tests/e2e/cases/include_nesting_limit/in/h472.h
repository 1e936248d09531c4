#include "h473.h"
