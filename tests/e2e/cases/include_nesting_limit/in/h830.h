#include "h831.h"
