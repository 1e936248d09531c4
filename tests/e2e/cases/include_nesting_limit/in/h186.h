#include "h187.h"
