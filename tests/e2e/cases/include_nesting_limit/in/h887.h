#include "h888.h"
